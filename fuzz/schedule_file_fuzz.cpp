// The schedule file reader: decoded into a fresh month, and opened over a month in use.
#include "fuzz_support.h"
#include "persist/schedule_file.h"

namespace lw::fuzz {

int ScheduleFileTarget(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    {
        model::Document fresh(FuzzToday());
        const persist::LoadResult r = persist::DecodeSchedule(input, fresh);
        if (r.status == persist::LoadStatus::Ok || r.status == persist::LoadStatus::NoEndMarker) CheckInvariants(fresh);
    }
    model::Document doc(FuzzToday());
    SetUpBaseMonth(doc);
    const std::string before = Snapshot(doc);
    ScriptedInteraction ui(input);
    const bool loaded = persist::LoadSchedule(doc, ui, WriteScratch("month.lw2", input));
    CheckInvariants(doc);
    if (!loaded && Snapshot(doc) != before) Fail("a refused schedule file changed the open month");
    return 0;
}

}  // namespace lw::fuzz

LW_FUZZ_ENTRY(ScheduleFileTarget)
