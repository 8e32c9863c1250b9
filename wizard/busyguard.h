#ifndef KVB_BUSYGUARD_H
#define KVB_BUSYGUARD_H

#include <QObject>
#include <QPointer>

class QWidget;

// Drops the user's input to a window while the program is busy with work
// for it: an engine request or a save. The window keeps repainting and
// answering the desktop meanwhile, but clicks and key presses made there
// would act on whatever then stands where the user pressed: a "Next" enabled
// again, a "Save and Register" that has become "Quit". So while the guard
// lives no input reaches that window, and when it ends, the input that
// arrived meanwhile is taken from the queue and dropped as well. Other
// windows, such as the question asked when the user closes the window
// meanwhile, take input as usual.
class BusyGuard : public QObject
{
    Q_OBJECT

public:
    // busy is any widget of the window to guard.
    explicit BusyGuard(QWidget *busy);
    ~BusyGuard() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_window;
};

#endif
