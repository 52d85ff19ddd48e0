#pragma once

#include <QStatusBar>

class QLabel;

// Nine fixed panes whose texts are set by index.
class StatusBar : public QStatusBar
{
    Q_OBJECT

public:
    static constexpr int paneCount = 9;

    explicit StatusBar(QWidget *parent = nullptr);

    // An index outside 0-8 does nothing.
    void setPaneText(int index, const QString &text);
    QString paneText(int index) const;

private:
    QLabel *m_panes[paneCount] = {};
};
