// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Plumwick developers
#include "platform/ui/WindowAccessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QSet>
#include <QWidget>

namespace {

QSet<QString>& Classes()
{
    static QSet<QString> classes;
    return classes;
}

class WindowAccessible final : public QAccessibleWidget {
public:
    explicit WindowAccessible(QWidget* window) : QAccessibleWidget(window, QAccessible::Window) {}
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return widget()->windowTitle();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* Factory(const QString& key, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget && widget->isWindow() && Classes().contains(key))
        return new WindowAccessible(widget);
    return nullptr;
}

} // namespace

void ExposeAsWindow(const char* className)
{
    if (Classes().isEmpty())
        QAccessible::installFactory(Factory);
    Classes().insert(QString::fromLatin1(className));
}
