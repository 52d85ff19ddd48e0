#pragma once

#include <QHash>
#include <QString>

#include <functional>

// Every menu item and toolbar button names a command; the subsystems define what each one does.
class CommandRouter
{
public:
    using Action = std::function<void()>;

    void define(const QString &name, Action action) { m_actions.insert(name, std::move(action)); }
    bool isDefined(const QString &name) const { return m_actions.contains(name); }
    // A command nobody defined does nothing, but says so to whoever is listening.
    void run(const QString &name) const
    {
        if (const auto found = m_actions.constFind(name); found != m_actions.constEnd())
            found.value()();
        else
            qWarning("No command is defined under the name %s", qPrintable(name));
    }

private:
    QHash<QString, Action> m_actions;
};
