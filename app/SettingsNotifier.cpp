#include "SettingsNotifier.h"

SettingsNotifier* SettingsNotifier::instance()
{
    static SettingsNotifier* notifier = new SettingsNotifier;
    return notifier;
}
