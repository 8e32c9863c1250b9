#ifndef KVB_MAINWINDOW_H
#define KVB_MAINWINDOW_H

#include <QMainWindow>

#include <memory>

class ThreadedEngineClient;
class RegistrationTab;

// The program's one window. Its construction is the program's start-up:
// resources, the engine library, the caller type and the data folder, then
// the "Registration" tab with the wizard's pages.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    // programArgument is argument entry 0 of the process; it must outlive
    // the window.
    explicit MainWindow(const char *programArgument);
    ~MainWindow() override;

    // Whether a request to the engine is still under way, which nothing can
    // interrupt.
    bool isEngineBusy() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void registerResources();
    static QIcon applicationIcon();

    const char *m_programArgument;
    QString m_resourceFile;
    bool m_shown = false;
    // The pages' way to the engine: a thread of its own, so that the window
    // stays alive while a slow service works.
    std::unique_ptr<ThreadedEngineClient> m_engineThread;
    std::unique_ptr<RegistrationTab> m_registrationTab;
};

#endif
