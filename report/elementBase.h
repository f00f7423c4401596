#pragma once
#include <QMap>
#include <QString>
#include <QVector>

// One node of a report's HTML tree, print kind: a hidden node vanishes from the output.
// A parent owns its children; deleting the root releases the whole tree, whatever the kinds.
class elementBase
{
public:
    virtual ~elementBase();

    static elementBase* createElement(const QString& tag, const QMap<QString, QString>& attributes);
    static elementBase* createElementText(const QString& tag, const QString& text,
                                          const QMap<QString, QString>& attributes);

    virtual int type() const;
    virtual QString tagName() const;
    virtual QString toHtml(const QString& attributeText);
    virtual QString html();
    virtual QString openTag(const QString& attributeText) const;
    virtual QString closeTag() const;
    virtual QString attributeString() const;
    virtual void setNumber(int n);
    virtual void setVisible(bool visible, const QString& altText);

    void setBold(bool bold);

    // HTML of the element stored under number, or an empty text.
    static QString findAndRender(int number, const QMap<int, elementBase*>& elements);
    static void deleteTree(elementBase* root);

    QString m_text;
    QMap<QString, QString> m_attributes;
    QVector<elementBase*> m_children;
    QString m_tag;
    QString m_number;
    bool m_visible = true;
    QString m_altText;
    bool m_bold = false;

protected:
    elementBase(const QString& tag, const QString& text, const QMap<QString, QString>& attributes);
    QString renderChildren();

private:
    elementBase(const elementBase&) = delete;
    elementBase& operator=(const elementBase&) = delete;
};

// Text of a UTF-8 file whose placeholders %1, %2 ... are filled with the numbered elements.
QString readTextFile(const QString& path, const QMap<int, elementBase*>& elements);
