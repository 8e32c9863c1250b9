#ifndef KVB_MAINWINDOW_H
#define KVB_MAINWINDOW_H

#include <QMainWindow>

class QStackedWidget;

// The program's one window. Its construction is the program's start-up:
// resources, the engine library, the caller type and the data folder, then
// the "Registration" tab with the wizard's page stack.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // programArgument is argument entry 0 of the process; it must outlive
    // the window.
    explicit MainWindow(const char *programArgument);

    QStackedWidget *registrationStack() const { return m_registrationStack; }

private:
    static void registerResources();
    void loadEngine();
    static void publishDataFolder();

    const char *m_programArgument;
    QStackedWidget *m_registrationStack = nullptr;
};

#endif
