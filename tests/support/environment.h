#ifndef KVB_TEST_ENVIRONMENT_H
#define KVB_TEST_ENVIRONMENT_H

#include <QProcessEnvironment>
#include <QStringList>

// Environment variables set or unset for the life of the object, each put
// back as it was when the object was made, so that no test leaves its
// settings to the next.
class ScopedEnvironment
{
public:
    ~ScopedEnvironment()
    {
        for (const QString &name : std::as_const(m_changed)) {
            if (m_before.contains(name))
                qputenv(qPrintable(name), m_before.value(name).toLocal8Bit());
            else
                qunsetenv(qPrintable(name));
        }
    }

    void set(const char *name, const QByteArray &value)
    {
        m_changed << name;
        qputenv(name, value);
    }
    void unset(const char *name)
    {
        m_changed << name;
        qunsetenv(name);
    }

private:
    const QProcessEnvironment m_before = QProcessEnvironment::systemEnvironment();
    QStringList m_changed;
};

#endif
