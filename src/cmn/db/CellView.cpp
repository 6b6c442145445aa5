#include "CellView.h"

#include <string>

namespace cmn::db {

CellView ViewOf(const boost::any& value)
{
    CellView view;
    if (const Int64* integer = boost::any_cast<Int64>(&value)) {
        view.type = CellType::Integer;
        view.integer = *integer;
    } else if (const double* real = boost::any_cast<double>(&value)) {
        view.type = CellType::Float;
        view.real = *real;
    } else if (const std::string* text = boost::any_cast<std::string>(&value)) {
        view.type = CellType::Text;
        view.bytes = *text;
    } else if (const Blob* blob = boost::any_cast<Blob>(&value)) {
        view.type = CellType::Blob;
        view.bytes = std::string_view(reinterpret_cast<const char*>(blob->data()), blob->size());
    }
    return view;
}

boost::any ValueOf(const CellView& cell)
{
    switch (cell.type) {
    case CellType::Integer: return cell.integer;
    case CellType::Float: return cell.real;
    case CellType::Text: return std::string(cell.bytes);
    case CellType::Blob: return Blob(cell.bytes.begin(), cell.bytes.end());
    case CellType::Null: break;
    }
    return SqlNull();
}

} // namespace cmn::db
