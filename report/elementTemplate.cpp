#include "elementTemplate.h"

elementBase* elementTemplate::createElement(const QString& tag, const QMap<QString, QString>& attributes)
{
    return new elementTemplate(tag, QString(), attributes);
}

elementBase* elementTemplate::createElementText(const QString& tag, const QString& text,
                                                const QMap<QString, QString>& attributes)
{
    return new elementTemplate(tag, text, attributes);
}

int elementTemplate::type() const
{
    return 1;
}

QString elementTemplate::toHtml(const QString& attributeText)
{
    // Children of a hidden element are hidden too (and stay so).
    QString children;
    for (elementBase* child : qAsConst(m_children)) {
        const QString childAttributes = child->attributeString();
        if (!m_visible)
            child->setVisible(false, QString());
        children += child->toHtml(childAttributes);
    }

    QString attributes = attributeText;
    QString own;
    if (m_visible) {
        own = QStringLiteral("%1%2").arg(m_number).arg(m_text);
    } else {
        if (m_tag == QLatin1String("img")) {
            // A hidden image shows its alternate text in its place, for good.
            m_text = m_altText;
            m_tag.clear();
            attributes.clear();
        }
        own = QStringLiteral("<s>%1%2</s>").arg(m_number).arg(m_text);
    }

    if (m_tag.isEmpty())
        return own + children;
    const QString attributePart = attributes.isEmpty() ? QString() : QLatin1Char(' ') + attributes;
    return QStringLiteral("<%1%2>%3</%1>").arg(m_tag).arg(attributePart).arg(own + children);
}
