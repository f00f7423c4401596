#pragma once
#include <QString>

// Layout options of the test report, group "systemCfg" of "./saveFile/printsetting.ini".
struct TestPrintOptions
{
    int chart = 0;              // "getModeSelect": 0 chart hint, 1 arrow hint
    int paper = 0;              // "getModeSelect1": 0 other, 1 A5 landscape, 2 A4, 3 A4 clinical
    int optEnable = 0;          // "optEnable": bit n set switches option n (1 to 24) off
    QString customText;         // "customText": the user's statement, printed as option 24
    bool customDefault = true;  // "customDefault": the statement is not yet the user's own
    int fontSize = 12;          // "fontsize"
};

// Layout options of the QC report, same group.
struct QcPrintOptions
{
    int chart = 0;       // "QcChart": 0 chart hint, 1 arrow hint
    int paper = 2;       // "QcPaper": 1 A5 landscape, 2 A4
    int optEnable = 0;   // "QcOptEnable": bit n set switches QC option n (1 to 14) off
    QString customText;  // "QcCustomText": printed as option 14
    int fontSize = 12;   // "QcFontsize"
};

// The print settings file. Missing file or keys read as the defaults above; a value that is not
// a number reads as 0. Each write stores only its own keys and returns true only when the file
// was really written.
class PrintSettings
{
public:
    static QString fileName();

    static TestPrintOptions readTest();
    static bool writeTest(const TestPrintOptions& options);

    static QcPrintOptions readQc();
    static bool writeQc(const QcPrintOptions& options);

    // Option mask written at the first start: phone, e-mail, address, birthday, serial number
    // and the custom statement switched off.
    static constexpr int kStartupOptEnable = 20975644;
    // The statement an Italian installation starts with.
    static QString italianStatement();

    // The start-up step: an Italian installation whose statement is still the default gets the
    // Italian statement (once), and a missing option mask gets kStartupOptEnable.
    // Returns false when a value was due but could not be written.
    static bool applyStartupDefaults(const QString& language);
};
