#pragma once
#include "baseDlg.h"

#include <QButtonGroup>
#include <QString>

#include <functional>

class chkPreviewPage;

namespace Ui {
class PrintPreview;
}

// The print settings dialog: on its test page the result hint, the paper and layout, the 24
// numbered report parts, the custom statement, font size and logo, with a live template
// preview of the test report; the QC page is a tab of its own. Edits live in the dialog until
// "保存".
class PrintPreview : public baseDlg
{
    Q_OBJECT
public:
    explicit PrintPreview(QWidget* parent = nullptr);
    ~PrintPreview() override;

    void retranslate() override;

    // Fills the test page from the stored settings (run once, just after the dialog starts).
    void loadSettings();
    // Rebuilds the preview from a new page object. The old preview is taken out of its host
    // before the page and printer it draws through are freed; a build that stops early
    // (unreadable or malformed sample file) leaves the host empty.
    void updatePrintReportData(int chart, int paper, int optionMask);
    void refreshPreview();
    void initButtonGroups(int chart, int paper);
    void optChange(int option, bool on);
    // Takes an image as the new logo: copied over "print_logo.png" at the next preview build.
    // Returns false (and changes nothing) when path names no file.
    bool uploadLogo(const QString& path);

    // The current preview page (null before the first build).
    const chkPreviewPage* previewPage() const { return m_previewPage; }
    int optionMask() const { return m_optEnable; }
    QString customText() const { return m_customText; }
    bool customDefault() const { return m_customDefault; }

private slots:
    void on_pushButton_clicked();
    void on_pushButton_upload_logo_clicked();
    void slot_clickedCustomEdit(bool);
    void on_pushButton_2_clicked();
    void slot_logoChange();

private:
    void applyCodeTexts();

    Ui::PrintPreview* ui;
    chkPreviewPage* m_previewPage = nullptr;
    QButtonGroup m_paperGroup;
    QButtonGroup m_chartGroup;
    int m_optEnable = 0;
    std::function<void()> m_pendingLogo;
    QString m_customText;
    bool m_customDefault = true;
    bool m_loaded = false;
};
