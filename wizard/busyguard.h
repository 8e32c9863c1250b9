#ifndef KVB_BUSYGUARD_H
#define KVB_BUSYGUARD_H

#include <QObject>

// Drops the user's input while the program is busy with work that blocks
// the window: an engine request or a save. Clicks and key presses made
// meanwhile wait in the window system's queue; delivered afterwards, they
// would act on whatever then stands where the user pressed: a "Next"
// enabled again, a "Save and Register" that has become "Quit". So while the
// guard lives no input reaches the program, and when it ends, the input
// that arrived meanwhile is taken from the queue and dropped as well.
class BusyGuard : public QObject
{
    Q_OBJECT

public:
    BusyGuard();
    ~BusyGuard() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

#endif
