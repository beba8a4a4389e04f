// Module loading: dlopen, symbol lookup, record validation, resources from
// the .gaures section, and the module's initialisation.
#include "module.h"

#include <dlfcn.h>

#include "elf_section.h"
#include "host_limits.h"

namespace panel {

namespace {
constexpr uint16_t kEnglishUS = 0x0409;
}

std::unique_ptr<Module> Module::Load(const std::string& path, PANELS* panels, std::string* err) {
    std::unique_ptr<Module> m(new Module());
    if (!m->Open(path, panels, err)) return nullptr;
    return m;
}

Module::~Module() {
    if (initialised_ && linkage_->module_deinit) linkage_->module_deinit();
    if (dl_) dlclose(dl_);
}

const GaugeEntry* Module::FindGauge(const std::string& name) const {
    for (const GaugeEntry& g : gauges_)
        if (g.name == name) return &g;
    return nullptr;
}

const ModuleBitmap* Module::FindBitmap(uint32_t id) const {
    auto it = bitmaps_.find(id);
    return it == bitmaps_.end() ? nullptr : &it->second;
}

void Module::ReadResources() {
    std::vector<uint8_t> res;
    std::string why;
    if (!ReadElfSection(path_, ".gaures", &res, &why)) {
        warnings_.push_back(file_name_ + ": no resources: " + why);
        return;
    }
    if (!ParseRes(res, &resources_, &why)) {
        warnings_.push_back(file_name_ + ": resources unreadable: " + why);
        resources_.clear();
        return;
    }
    for (const Resource& r : resources_) {
        if (r.language != kEnglishUS)
            warnings_.push_back(file_name_ + ": resource " + ResourceTypeName(r.type) + " " + r.name.ToString() +
                                " has language " + std::to_string(r.language) + ", not English (United States)");
        if (!r.type.is_number || !r.name.is_number) continue;
        if (r.type.number == kResourceBitmap) {
            ModuleBitmap b;
            b.id = r.name.number;
            b.language = r.language;
            b.ok = DecodeDib(r.data.data(), r.data.size(), &b.bitmap, &b.info, &b.error);
            if (!bitmaps_.emplace(b.id, std::move(b)).second)
                warnings_.push_back(file_name_ + ": bitmap " + std::to_string(r.name.number) + " appears twice; the first is used");
        } else if (r.type.number == kResourceVersion && !has_version_) {
            has_version_ = ParseVersionInfo(r.data, &version_, &why);
            if (!has_version_) warnings_.push_back(file_name_ + ": version resource unreadable: " + why);
        }
    }
}

bool Module::Open(const std::string& path, PANELS* panels, std::string* err) {
    path_ = path;
    file_name_ = path.substr(path.find_last_of('/') + 1);
    auto fail = [&](const std::string& what) {
        *err = file_name_ + ": " + what;
        return false;
    };
    // A path without a slash would make dlopen search the library path.
    const std::string open_path = path.find('/') == std::string::npos ? "./" + path : path;
    dl_ = dlopen(open_path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!dl_) return fail(std::string("cannot load: ") + dlerror());
    std::string why;
    if (!memory_.Build(dl_, &why)) return fail(why);

    import_table_ = static_cast<IMPORT_TABLE*>(dlsym(dl_, GAUGE_IMPORT_TABLE_SYMBOL));
    linkage_ = static_cast<GAUGESLINKAGE*>(dlsym(dl_, GAUGE_LINKAGE_SYMBOL));
    if (!import_table_) return fail("exports no ImportTable");
    if (!linkage_) return fail("exports no Linkage");
    if (!memory_.Writable(import_table_, sizeof(IMPORT_TABLE))) return fail("ImportTable lies outside the module's writable data");
    if (import_table_->panels.id != IMPORT_TABLE_PANELS_ID)
        return fail("ImportTable's first entry has id " + std::to_string(import_table_->panels.id) + ", not 15");
    if (import_table_->end.id != 0) return fail("ImportTable is not closed by an entry with id 0");
    if (!memory_.Readable(linkage_, sizeof(GAUGESLINKAGE))) return fail("Linkage lies outside the module");
    if (linkage_->module_id != GAUGE_MODULE_ID)
        return fail("Linkage module id is " + std::to_string(linkage_->module_id) + ", not 19 (0x13)");
    for (MODULE_ROUTINE r : {linkage_->module_init, linkage_->module_deinit})
        if (r && !memory_.Executable(reinterpret_cast<const void*>(r)))
            return fail("Linkage initialisation routine points outside the module's code");

    ReadResources();
    BitmapCheck bitmap_check = [this](uint32_t id, std::string* why) {
        const ModuleBitmap* b = FindBitmap(id);
        if (!b) return (*why = "is not in the module's resources", false);
        if (!b->ok) return (*why = "cannot be decoded: " + b->error, false);
        return true;
    };

    GAUGEHDR** list = linkage_->gauges;
    for (size_t i = 0;; ++i) {
        if (i >= kMaxGauges) return fail("Linkage gauge list is not ended within " + std::to_string(kMaxGauges) + " entries");
        if (!memory_.ReadableArray(list + i, 1)) return fail("Linkage gauge list lies outside the module");
        if (!list[i]) break;
        GaugeEntry g;
        g.index = int(i) + 1;
        g.header = list[i];
        CheckGauge(memory_, bitmap_check, &g);
        if (!g.ok) g.error = file_name_ + ": " + g.error;
        gauges_.push_back(std::move(g));
    }

    import_table_->panels.panels = panels;
    if (linkage_->module_init) linkage_->module_init();
    initialised_ = true;
    return true;
}

}  // namespace panel
