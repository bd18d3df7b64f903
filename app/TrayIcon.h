#pragma once

#include "app/TrayAreaProbe.h"

#include <QObject>
#include <QSystemTrayIcon>
#include <functional>

class QIcon;
class QMenu;
class QTimer;
class QWidget;

// The program's icon in the desktop's notification area, with its menu on the
// right button. Once active it keeps the main window out of the way: closing
// or minimizing the window hides it, and the program goes on in the area.
// Without a notification area nobody could reach a hidden window again, so
// then closing ends the program and minimizing minimizes it as usual.
class TTrayIcon : public QObject {
    Q_OBJECT
public:
    TTrayIcon(QWidget* window, QMenu* menu, const QIcon& icon);
    ~TTrayIcon() override;

    bool Active() const { return active_; }
    // Inactive until the main window is first shown; activating an active
    // icon does nothing.
    void SetActive(bool active);

    // Whether the desktop offers a notification area at this moment; asked at
    // each close and minimize and while the window is hidden, since the
    // area's host may come and go.
    bool AreaAvailable() const { return areaProbe_(); }
    void setAreaProbe(std::function<bool()> probe) { areaProbe_ = std::move(probe); }

    QSystemTrayIcon* icon() const { return icon_; }

    // Run every second while active. The hidden main window can only come
    // back through the area; when the area has been missing for a few checks
    // in a row (longer than a host takes to restart), areaLost is emitted so
    // that the window is shown again.
    void CheckArea();
    static constexpr int MissedChecksBeforeLost = 3;

signals:
    void areaLost();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool mayHide() const;

    QWidget* window_;
    QSystemTrayIcon* icon_;
    QTimer* areaWatch_;
    int missedChecks_ = 0;
    std::function<bool()> areaProbe_ = &norvane::ui::TrayAreaAvailable;
    bool active_ = false;
};
