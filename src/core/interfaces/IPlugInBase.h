#pragma once

#include "IPlugInVersion.h"

#include <QString>
#include <QtPlugin>

#include <cstdint>
#include <functional>
#include <string>

namespace spdlog::sinks {
class sink;
}

namespace core {

class CategoryViewBase;
class ICategoryParserBase;
class ICategoryPlugIn;
class IStopFlag;

// Called by the host when a page wants to be shown again; the plug-in only keeps it.
using ViewCallback = std::function<void(CategoryViewBase* view)>;

// How the host drives a category plug-in. The slot order is part of the binary contract.
class IPlugInBase : public IPlugInVersion {
public:
    // The backup's descriptor file, "icloud_synced.xml".
    virtual void SetDataPath(const QString& path) = 0;
    virtual void Parse() = 0;
    virtual bool IsSupported() const = 0;
    virtual QString GetShortcut() const = 0;
    // Null when the backup holds no data of this category.
    virtual ICategoryPlugIn* GetCategoryPlugIn() = 0;
    virtual void CreateView() = 0;
    // A host sink receives every record; null makes the plug-in write its own encrypted log.
    virtual void InitLogging(spdlog::sinks::sink* hostAppender) = 0;
    // Blocks until the GUI thread has shut the page down: never call it on the GUI thread.
    virtual void DetachView() = 0;
    virtual bool IsActive() const = 0;
    virtual QString GetCategoryName() const = 0;
    // The category size of another backup, leaving the current one as it was.
    virtual std::uint64_t GetDataSize(const QString& path) = 0;
    virtual void SetStopFlag(IStopFlag* stopFlag) = 0;
    // Folder for the private copies of databases; empty selects the application's one.
    virtual void SetTempPath(const std::wstring& path) = 0;
    virtual void Notify(void* data) = 0;
    virtual void SetViewCallback(ViewCallback callback) = 0;
    virtual void CreateParser(const QString& path) = 0;
    virtual void ParseData(const QString& path) = 0;
    virtual void CreateDataView() = 0;
    virtual void CreateEmptyView() = 0;
    virtual bool HasParser() const = 0;
    virtual bool IsDataEmpty() const = 0;
    virtual std::uint64_t CalculateDataSize() = 0;
    virtual bool IsSizeOutdated() const = 0;
    virtual ICategoryParserBase* GetParserBase() = 0;
};

} // namespace core

Q_DECLARE_INTERFACE(core::IPlugInBase, "ulq.core.IPlugInBase")
