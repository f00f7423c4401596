#pragma once
#include <QButtonGroup>
#include <QString>
#include <QWidget>

namespace Ui { class PrintPreviewQc; }
class qcPreviewPage;

// The QC page of the print settings: result hint, paper, the fourteen report options, custom
// text, font size and logo, with a live preview of a QC report over sample rows. The choices
// are kept in "./saveFile/printsetting.ini" (group "systemCfg", keys "QcChart", "QcPaper",
// "QcOptEnable", "QcCustomText", "QcFontsize") when saved.
class PrintPreviewQc : public QWidget
{
    Q_OBJECT
public:
    explicit PrintPreviewQc(QWidget* parent = nullptr);
    ~PrintPreviewQc() override;

    void loadSettings();
    // Rebuilds the preview page with the given hint, paper and option mask from the sample rows
    // of "printSetTemplate.json"; sample data that cannot be read leaves the preview as it was.
    void updatePrintReportData(int chart, int paper, int optionMask);
    void refreshPreview();
    void initButtonGroups(int chart, int paper);
    void optChange(int option, bool on);

    int optionMask() const { return m_optEnable; }
    QString customText() const { return m_customText; }
    const qcPreviewPage* previewPage() const { return m_previewPage; }

signals:
    void signal_logoChange();

public slots:
    void slot_clickedCustomEdit(bool);

private slots:
    void on_pushButton_qc_save_clicked();
    void on_pushButton_upload_logo_qc_clicked();
    void on_pushButton_fontsize_qc_clicked();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    Ui::PrintPreviewQc* ui;
    int m_optEnable = 0;
    QString m_customText;
    qcPreviewPage* m_previewPage = nullptr;
    QButtonGroup m_paperGroup;
    QButtonGroup m_chartGroup;
    class QPushButton* m_editButton = nullptr;
};
