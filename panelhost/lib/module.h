// A loaded gauge module: the library, its exported records, its resources
// and the result of validating each of its gauges.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "bitmap.h"
#include "bmp.h"
#include "gauge_check.h"
#include "gauge_interface.h"
#include "memory_map.h"
#include "res_file.h"

namespace panel {

struct ModuleBitmap {
    uint32_t id = 0;
    uint16_t language = 0;
    bool ok = false;
    std::string error;  // when !ok
    DibInfo info;
    Bitmap bitmap;
};

class Module {
public:
    // Opens the library, reads and validates its records and resources,
    // writes panels into ImportTable and calls the module's initialisation
    // routine. A failing gauge is recorded and left out; a module whose own
    // records are broken fails as a whole.
    static std::unique_ptr<Module> Load(const std::string& path, PANELS* panels, std::string* err);

    // Calls the de-initialisation routine, then closes the library.
    ~Module();
    Module(const Module&) = delete;
    Module& operator=(const Module&) = delete;

    const std::string& path() const { return path_; }
    const std::string& file_name() const { return file_name_; }  // e.g. "Kestrin.gau"
    GAUGESLINKAGE* linkage() const { return linkage_; }
    IMPORT_TABLE* import_table() const { return import_table_; }
    const std::vector<GaugeEntry>& gauges() const { return gauges_; }
    const GaugeEntry* FindGauge(const std::string& name) const;

    const std::vector<Resource>& resources() const { return resources_; }
    const std::map<uint32_t, ModuleBitmap>& bitmaps() const { return bitmaps_; }
    const ModuleBitmap* FindBitmap(uint32_t id) const;
    bool has_version() const { return has_version_; }
    const VersionInfo& version() const { return version_; }
    // Problems that left no gauge out, e.g. a missing resource section.
    const std::vector<std::string>& warnings() const { return warnings_; }

    // Whether [p, p + n) is module data the host may write, and whether a
    // mouse list handed over at run time is well formed.
    bool OwnsWritable(const void* p, size_t n) const { return memory_.Writable(p, n); }
    bool CheckMouse(const MOUSERECT* list, std::string* err) const { return CheckMouseList(memory_, list, err); }

    // The handle the host gives the module's install routines.
    RESOURCE_HANDLE handle() { return this; }

private:
    Module() = default;
    bool Open(const std::string& path, PANELS* panels, std::string* err);
    void ReadResources();

    std::string path_, file_name_;
    void* dl_ = nullptr;
    MemoryMap memory_;
    IMPORT_TABLE* import_table_ = nullptr;
    GAUGESLINKAGE* linkage_ = nullptr;
    std::vector<GaugeEntry> gauges_;
    std::vector<Resource> resources_;
    std::map<uint32_t, ModuleBitmap> bitmaps_;
    bool has_version_ = false;
    VersionInfo version_;
    std::vector<std::string> warnings_;
    bool initialised_ = false;
};

}  // namespace panel
