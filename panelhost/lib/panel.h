// The panel: loaded modules, placed gauges, the simulator variables they
// read, and the host services they call. It drives each gauge frame by
// frame and renders it.
//
// Host rules:
// - Install loads each element's bitmaps into host images recorded in the
//   element (an icon its image count from its id on, a moving image its id
//   and id + 1) and computes each needle's turn per calibration entry,
//   written into the entry's degrees.
// - Each frame, for each placed version-700 gauge: the gauge callback with
//   service id 6, then the chain is updated in drawing order (refresh the
//   source variable by its token, token 0 meaning none; call the value
//   routine, version 700 with the element, 610 with the source variable, or
//   else take the variable's value; map the reading), then drawn. A
//   version-610 gauge is driven through its update and draw routines.
// - The seven routines of a version-700 header are never called: they act
//   on the module's first gauge only.
// - A needle turns towards its target by at most its maximum degrees per
//   tick per update (0: no limit); the first update after install takes the
//   target at once.
// - Sliders move by reading x scale pixels; an icon shows image
//   floor(reading), kept within its images (switch mode 0: always image 0);
//   a moving image centres its picture on its two readings, each kept
//   within its axis range. A reading that is not a number counts as 0 for
//   sliders and icons and as the range minimum for moving images.
// - lookup_var writes the variable's current value; an unknown token gives
//   0 and is reported once. trigger_key_event appends (id, value, frame) to
//   the key-event log.
// - Once a gauge is installed, a frame allocates nothing, but for the first
//   report of an unknown token and growth of the key-event log.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "bitmap.h"
#include "calibration.h"
#include "gauge_interface.h"
#include "module.h"
#include "variables.h"

namespace panel {

struct KeyEvent {
    uint32_t id;
    uint32_t value;
    uint64_t frame;
};

struct Diagnostic {
    uint64_t frame;
    std::string message;
};

struct ClickResult {
    bool hit = false;
    int area = -1;       // index in the mouse list
    int32_t result = 0;  // what the mouse routine returned
};

// Host record of one installed element.
struct ElementState {
    ELEMENT_HEADER* element = nullptr;
    int depth = 0;
    bool version_610 = false;
    std::vector<HOST_IMAGE> images;
    std::vector<const Bitmap*> bitmaps;
    Calibration calibration;  // needles
    bool fresh = true;        // no update since install
};

struct PlacedGauge {
    Module* module = nullptr;
    const GaugeEntry* entry = nullptr;
    GAUGEHDR* header = nullptr;
    std::vector<ELEMENT_HEADER*> roots;
    std::vector<ElementState*> elements;  // drawing order, all roots
    MOUSERECT* mouse = nullptr;           // registered mouse list
    Bitmap canvas;
};

class Panel {
public:
    Panel();
    ~Panel();  // removes every gauge, then unloads every module
    Panel(const Panel&) = delete;
    Panel& operator=(const Panel&) = delete;

    // The module at path, loading it on first use.
    Module* LoadModule(const std::string& path, std::string* err);
    // Installs the named gauge of a module on the panel.
    PlacedGauge* Place(Module* module, const std::string& gauge_name, std::string* err);
    void Remove(PlacedGauge* gauge);

    void Frame();
    // One round of gauge callbacks with another service id.
    void ServiceRound(int32_t service_id);
    // Runs frames until every needle has reached its target, at most
    // max_frames; returns whether they all did.
    bool Settle(size_t max_frames, size_t* frames_run);
    // A click at gauge pixel (x, y).
    ClickResult Click(PlacedGauge* gauge, int x, int y);

    VariableStore& variables() { return variables_; }
    uint64_t frame() const { return frame_; }
    const std::vector<KeyEvent>& key_events() const { return key_events_; }
    const std::vector<Diagnostic>& diagnostics() const { return diagnostics_; }
    const std::vector<std::unique_ptr<PlacedGauge>>& gauges() const { return gauges_; }

    // The services table given to every module.
    static PANELS* Services();

private:
    friend struct ServiceCalls;
    struct Root {
        Module* module;
        const GaugeEntry* entry;
    };

    void Diagnose(std::string message);
    double Refresh(MODULE_VAR& var);
    double Reading(ElementState& s, MODULE_VAR& var, const VALUE_ROUTINE& cb);

    // Chains, from a validated root.
    bool InstallChain(ELEMENT_HEADER* root, Module* module, std::vector<ElementState*>* order);
    void UpdateElement(ElementState& s);
    void PlotElement(ElementState& s, Bitmap& canvas);
    void KillChain(ELEMENT_HEADER* root);
    const std::vector<ElementState*>& Chain(ELEMENT_HEADER* root);
    void SizeCanvas(PlacedGauge& g);
    void DrawGauge(PlacedGauge& g);

    // Service entry points, on the current panel.
    void ServiceInstall(ELEMENT_HEADER* root, RESOURCE_HANDLE handle);
    void ServiceUpdate(ELEMENT_HEADER* root);
    void ServicePlot(ELEMENT_HEADER* root);
    void ServiceKill(ELEMENT_HEADER* root);
    void ServiceMouseRegister(MOUSERECT* list, GAUGEHDR* gauge, bool on);
    void ServiceKeyEvent(uint32_t id, uint32_t value);
    void ServiceLookup(MODULE_VAR* var);
    bool KnownRoot(ELEMENT_HEADER* root, const char* service);

    VariableStore variables_;
    uint64_t frame_ = 0;
    std::vector<KeyEvent> key_events_;
    std::vector<Diagnostic> diagnostics_;
    std::vector<uint32_t> reported_tokens_;
    std::vector<std::unique_ptr<Module>> modules_;
    std::vector<std::unique_ptr<PlacedGauge>> gauges_;
    std::unordered_map<ELEMENT_HEADER*, Root> roots_;
    std::unordered_map<ELEMENT_HEADER*, std::unique_ptr<ElementState>> installed_;
    // Installed chains by root, in drawing order.
    std::unordered_map<ELEMENT_HEADER*, std::vector<ElementState*>> chains_;
    PlacedGauge* current_ = nullptr;  // gauge whose own routine is running
};

}  // namespace panel
