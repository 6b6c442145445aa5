#include "cmn/plist/BinaryPlist.h"

#include <tinyxml.h>

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

// Any input converts or fails with result 3; a converted document prints, and a failed one is empty.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    std::istringstream stream(bytes);
    ulq::cmn::IsBinaryPlist(stream);

    TiXmlDocument document;
    const int result = ulq::cmn::LoadBinaryPlist(&document, bytes.data(), bytes.size());
    if (result == 0) {
        TiXmlPrinter printer;
        document.Accept(&printer);
        if (!document.FirstChildElement("plist"))
            std::abort();
    } else if (result != 3 || document.FirstChild()) {
        std::abort();
    }
    return 0;
}
