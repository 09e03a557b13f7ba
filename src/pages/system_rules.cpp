#include "pages/system_rules.h"

#include "resource.h"

int VoiceSliderPosition(const ConfigRecord& record) {
    return record.Get(Field::VoiceGuidanceEnable) != 0 ? record.Get(Field::VoiceGuidanceVolume) : 0;
}

void StoreVoiceSliderPosition(ConfigRecord& record, int position) {
    record.Set(Field::VoiceGuidanceEnable, position > 0 ? 1 : 0);
    if (position > 0) record.Set(Field::VoiceGuidanceVolume, position);
}

const std::vector<OptionValue>& SystemOptionValues() {
    static const std::vector<OptionValue> values = {
        {IDC_SYS_LCD_30S, Field::LcdOff, 30000},
        {IDC_SYS_LCD_10MIN, Field::LcdOff, 600000},
        {IDC_SYS_LCD_NEVER, Field::LcdOff, 0},
        {IDC_SYS_LED_ON, Field::SecurityLed, 1},
        {IDC_SYS_LED_MODE2, Field::SecurityLed, 2},
        {IDC_SYS_LED_MODE3, Field::SecurityLed, 3},
        {IDC_SYS_LED_OFF, Field::SecurityLed, 0},
        {IDC_SYS_DST_ON, Field::DaylightSaving, 1},
        {IDC_SYS_DST_OFF, Field::DaylightSaving, 0},
        {IDC_SYS_KMH, Field::SpeedUnit, 0},
        {IDC_SYS_MPH, Field::SpeedUnit, 1},
        {IDC_SYS_STAMP_ON, Field::SpeedStamp, 1},
        {IDC_SYS_STAMP_OFF, Field::SpeedStamp, 0},
        {IDC_SYS_WAYGUARD_ON, Field::WayguardVoiceEnable, 1},
        {IDC_SYS_WAYGUARD_OFF, Field::WayguardVoiceEnable, 0},
    };
    return values;
}

bool StoreSystemOption(ConfigRecord& record, int id) {
    for (const OptionValue& option : SystemOptionValues()) {
        if (option.id != id) continue;
        record.Set(option.field, option.value);
        return true;
    }
    return false;
}

SystemOptionChecks CheckedSystemOptions(const ConfigRecord& record) {
    SystemOptionChecks checks{};
    switch (record.Get(Field::LcdOff)) {
        case 0:
            checks.lcdOff = IDC_SYS_LCD_NEVER;
            break;
        case 600000:
            checks.lcdOff = IDC_SYS_LCD_10MIN;
            break;
        default:
            checks.lcdOff = IDC_SYS_LCD_30S;
            break;  // 30000 and anything unknown
    }
    switch (record.Get(Field::SecurityLed)) {
        case 0:
            checks.securityLed = IDC_SYS_LED_OFF;
            break;
        case 1:
            checks.securityLed = IDC_SYS_LED_ON;
            break;
        case 2:
            checks.securityLed = IDC_SYS_LED_MODE2;
            break;
        case 3:
            checks.securityLed = IDC_SYS_LED_MODE3;
            break;
        default:
            checks.securityLed = 0;
            break;
    }
    checks.daylightSaving = record.Get(Field::DaylightSaving) != 0 ? IDC_SYS_DST_ON : IDC_SYS_DST_OFF;
    checks.speedUnit = record.Get(Field::SpeedUnit) != 0 ? IDC_SYS_MPH : IDC_SYS_KMH;
    checks.speedStamp = record.Get(Field::SpeedStamp) == 1 ? IDC_SYS_STAMP_ON : IDC_SYS_STAMP_OFF;
    checks.wayguard = record.Get(Field::WayguardVoiceEnable) == 1 ? IDC_SYS_WAYGUARD_ON : IDC_SYS_WAYGUARD_OFF;
    return checks;
}
