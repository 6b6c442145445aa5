#pragma once

#include <boost/filesystem/path.hpp>

namespace ulq::cmn {

// Holds the path of a temporary file and deletes that file when destroyed; a failing delete is
// logged, never thrown. Moving hands the duty to delete over to the new holder.
class TempFileWrapper final {
public:
    explicit TempFileWrapper(boost::filesystem::path path);
    ~TempFileWrapper();

    TempFileWrapper(TempFileWrapper&& other) noexcept;
    TempFileWrapper& operator=(TempFileWrapper&& other) noexcept;
    TempFileWrapper(const TempFileWrapper&) = delete;
    TempFileWrapper& operator=(const TempFileWrapper&) = delete;

    const boost::filesystem::path& GetPath() const { return m_path; }

private:
    void RemoveFile() noexcept;

    boost::filesystem::path m_path;
};

} // namespace ulq::cmn
