#pragma once
#include "baseDlg.h"

#include <QStringList>
#include <QVector>

class LookupTabledb;

namespace Ui {
class dlgTableEditor;
}

// Modal editor of one lookup list: loads the whole table into a grid, lets the user append,
// delete and edit rows, discards the edits by reloading, and saves by replacing the table's
// contents with the grid's rows in one transaction.
class dlgTableEditor : public baseDlg
{
    Q_OBJECT
public:
    // Takes ownership of `db`. `title` is the window title (already translated).
    dlgTableEditor(LookupTabledb* db, const QString& title, QWidget* parent = nullptr);
    ~dlgTableEditor() override;

    // Reloads the grid from the table; false when the table could not be read (the grid then
    // keeps what it showed, and Save refuses until a reload succeeds).
    bool load();
    // The grid's rows, cells trimmed, rows without any text left out.
    QVector<QStringList> gridRows() const;
    bool isModified() const { return m_modified; }

    void retranslate() override;

public slots:
    void reject() override;

private slots:
    void on_pushButton_add_clicked();
    void on_pushButton_delete_clicked();
    void on_pushButton_reload_clicked();
    void on_pushButton_save_clicked();

private:
    void setHeaders();

    Ui::dlgTableEditor* ui;
    LookupTabledb* m_db;
    bool m_modified = false;
    bool m_loaded = false; // the grid was filled from the stored list
};
