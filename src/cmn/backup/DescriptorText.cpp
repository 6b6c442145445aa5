#include "DescriptorText.h"

#include <QString>

#include <tinyxml.h>

#include <type_traits>

namespace cmn::details {

const char* ChildText(const TiXmlElement& element, const char* name)
{
    const TiXmlElement* child = element.FirstChildElement(name);
    return child ? child->GetText() : nullptr;
}

boost::filesystem::path PathFromUtf8(const std::string& text)
{
    if constexpr (std::is_same_v<boost::filesystem::path::value_type, wchar_t>)
        return QString::fromStdString(text).toStdWString();
    else
        return text;
}

} // namespace cmn::details
