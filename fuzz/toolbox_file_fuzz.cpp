// The toolbox definition reader, over a month set up by the wizard.
#include "fuzz_support.h"
#include "import/toolbox_file.h"

namespace lw::fuzz {

int ToolboxFileTarget(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    model::Document doc(FuzzToday());
    SetUpBaseMonth(doc);
    const std::string before = Snapshot(doc);
    ScriptedInteraction ui(input);
    const bool loaded = import::LoadToolboxFile(doc, ui, WriteScratch("MAR2027.box", input));
    CheckInvariants(doc);
    // A file that is not a toolbox falls back to the built-in table; any other refusal changes nothing.
    if (!loaded && doc.ActivityCount != 0 && Snapshot(doc) != before)
        Fail("a refused toolbox file changed the open month");
    return 0;
}

}  // namespace lw::fuzz

LW_FUZZ_ENTRY(ToolboxFileTarget)
