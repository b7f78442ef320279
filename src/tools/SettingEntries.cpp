#include "SettingEntries.h"

#include "Texts.h"

QList<SettingEntries::Entry> SettingEntries::methods()
{
    return {{Texts::text("gui_normal_record"), 1}, {Texts::text("gui_event_record"), 2}};
}

QList<SettingEntries::Entry> SettingEntries::resolutions()
{
    return {{QStringLiteral("320 X 240"), 2}, {QStringLiteral("640 X 480"), 4}};
}

QList<SettingEntries::Entry> SettingEntries::frameRates(int method, int prePostSeconds)
{
    QList<Entry> rates;
    const QList<int> values = method == 2 ? QList<int>{1, 10, 15} : QList<int>{1, 5, 10, 15};
    for (int value : values)
        rates.append({QString::number(value), value});
    if (method == 2 && prePostSeconds == 20)
        rates.append({QStringLiteral("30"), 30});
    return rates;
}

QList<SettingEntries::Entry> SettingEntries::qualities(int resolution)
{
    const bool small = resolution == resolutions().first().val;
    return {{Texts::text("gui_rank2"), small ? 10 : 32}, {Texts::text("gui_rank3"), small ? 20 : 64}};
}

QList<SettingEntries::Entry> SettingEntries::recordModes()
{
    return {{Texts::text("gui_rec_onetime"), 1}, {Texts::text("gui_rec_overwrite"), 2}};
}

QList<SettingEntries::Entry> SettingEntries::prePostOptions()
{
    const QString second = Texts::text("gui_second");
    // The padding keeps the totals of the one-digit options in line.
    const QList<std::pair<const char *, std::pair<int, int>>> options = {
        {"10,10 [20 %1]", {10, 20}}, {"12,8  [20 %1]", {12, 20}}, {"15,5  [20 %1]", {15, 20}},
        {"15,15 [30 %1]", {15, 30}}, {"18,12 [30 %1]", {18, 30}}, {"20,10 [30 %1]", {20, 30}}};
    QList<Entry> entries;
    for (const auto &[text, seconds] : options)
        entries.append({QString::fromLatin1(text).arg(second), seconds.first, seconds.second});
    return entries;
}

QList<SettingEntries::Entry> SettingEntries::levels()
{
    QList<Entry> entries;
    for (int index = 0; index <= 8; ++index)
        entries.append({QString::number(index + 1), index});
    entries.first().str = QStringLiteral("1 (%1)").arg(Texts::text("gui_low"));
    entries.last().str = QStringLiteral("9 (%1)").arg(Texts::text("gui_high"));
    return entries;
}

QList<SettingEntries::Entry> SettingEntries::gpsTimes()
{
    return {{Texts::text("gui_about_2days"), 48},
            {Texts::text("gui_about_7days"), 168},
            {Texts::text("gui_about_31days"), 744}};
}

QList<SettingEntries::Entry> SettingEntries::alarmDurations()
{
    QList<Entry> entries = {{QStringLiteral("OFF"), -1}, {QStringLiteral("\u221e"), 0}};
    for (int seconds : {5, 10, 30, 60})
        entries.append({QStringLiteral("%1 %2").arg(seconds).arg(Texts::text("gui_second")), seconds});
    return entries;
}

int SettingEntries::indexOf(const QList<Entry> &entries, int val)
{
    for (int i = 0; i < entries.size(); ++i) {
        if (entries[i].val == val)
            return i;
    }
    return 0;
}

int SettingEntries::prePostIndex(int preSeconds, int postSeconds)
{
    const QList<Entry> options = prePostOptions();
    for (int i = 0; i < options.size(); ++i) {
        if (options[i].val == preSeconds && options[i].sec - options[i].val == postSeconds)
            return i;
    }
    return 1;
}
