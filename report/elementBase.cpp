#include "elementBase.h"

#include <QFile>
#include <QTextStream>

elementBase::elementBase(const QString& tag, const QString& text, const QMap<QString, QString>& attributes)
    : m_text(text), m_attributes(attributes), m_tag(tag)
{
}

elementBase::~elementBase()
{
    for (elementBase* child : qAsConst(m_children))
        delete child;
    m_children.clear();
}

elementBase* elementBase::createElement(const QString& tag, const QMap<QString, QString>& attributes)
{
    return new elementBase(tag, QString(), attributes);
}

elementBase* elementBase::createElementText(const QString& tag, const QString& text,
                                            const QMap<QString, QString>& attributes)
{
    return new elementBase(tag, text, attributes);
}

int elementBase::type() const
{
    return 0;
}

QString elementBase::tagName() const
{
    return m_tag;
}

QString elementBase::renderChildren()
{
    QString out;
    for (elementBase* child : qAsConst(m_children))
        out += child->toHtml(child->attributeString());
    return out;
}

QString elementBase::toHtml(const QString& attributeText)
{
    if (!m_visible)
        return QString();
    const QString content = m_text + renderChildren();
    if (m_tag.isEmpty())
        return content;
    // The content goes in last, so percent signs and digits in it come out unchanged.
    if (m_bold)
        return QStringLiteral("<%1 %2><strong>%3</strong></%1>").arg(m_tag).arg(attributeText).arg(content);
    return QStringLiteral("<%1 %2>%3</%1>").arg(m_tag).arg(attributeText).arg(content);
}

QString elementBase::html()
{
    return toHtml(attributeString());
}

QString elementBase::openTag(const QString& attributeText) const
{
    if (m_tag.isEmpty())
        return QString();
    return QStringLiteral("<%1 %2>").arg(m_tag).arg(attributeText);
}

QString elementBase::closeTag() const
{
    if (m_tag.isEmpty())
        return QString();
    return QStringLiteral("</%1>").arg(m_tag);
}

QString elementBase::attributeString() const
{
    QString out;
    for (auto it = m_attributes.cbegin(); it != m_attributes.cend(); ++it)
        out += QStringLiteral(" %1=%2 ").arg(it.key()).arg(it.value());
    return out;
}

void elementBase::setNumber(int n)
{
    m_number = QStringLiteral("<strong>%1) </strong>").arg(n);
}

void elementBase::setVisible(bool visible, const QString& altText)
{
    m_visible = visible;
    if (!altText.isEmpty())
        m_altText = altText;
}

void elementBase::setBold(bool bold)
{
    m_bold = bold;
}

QString elementBase::findAndRender(int number, const QMap<int, elementBase*>& elements)
{
    elementBase* e = elements.value(number, nullptr);
    if (!e)
        return QString();
    return e->toHtml(e->attributeString());
}

void elementBase::deleteTree(elementBase* root)
{
    delete root;
}

QString readTextFile(const QString& path, const QMap<int, elementBase*>& elements)
{
    QString result;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        QTextStream in(&file);
        in.setCodec("UTF-8");
        result = in.readAll();
        file.close();
    }
    if (!result.isEmpty() && !elements.isEmpty()) {
        const int n = elements.size();
        for (int i = 1; i <= n; ++i)
            result = result.arg(elementBase::findAndRender(i, elements));
    }
    return result;
}
