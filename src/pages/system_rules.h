#pragma once
// The system settings page's mapping between its controls and the record.

#include <cstdint>
#include <vector>

#include "config/config_record.h"

// Voice guidance: the slider shows the volume while guidance is on, OFF (0) otherwise.
int VoiceSliderPosition(const ConfigRecord& record);
// OFF switches guidance off and keeps the volume for when it comes back on.
void StoreVoiceSliderPosition(ConfigRecord& record, int position);

// What each option button writes, by its template id.
struct OptionValue {
    int id;
    Field field;
    std::int32_t value;
};
const std::vector<OptionValue>& SystemOptionValues();
// The option writing a value: false for ids that write nothing.
bool StoreSystemOption(ConfigRecord& record, int id);

// The buttons to check for the record, one per group (0: none of the group).
struct SystemOptionChecks {
    int lcdOff, securityLed, daylightSaving, speedUnit, speedStamp, wayguard;
    bool operator==(const SystemOptionChecks&) const = default;
    bool Has(int id) const {
        return id == lcdOff || id == securityLed || id == daylightSaving || id == speedUnit || id == speedStamp ||
               id == wayguard;
    }
};
SystemOptionChecks CheckedSystemOptions(const ConfigRecord& record);
