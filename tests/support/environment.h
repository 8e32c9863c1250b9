#ifndef KVB_TEST_ENVIRONMENT_H
#define KVB_TEST_ENVIRONMENT_H

#include <QByteArray>
#include <QList>

#include <optional>
#include <utility>

// Environment variables set or unset for the life of the object, each put
// back as it was when the object goes, so that no test leaves its settings
// to the next.
class ScopedEnvironment
{
public:
    ScopedEnvironment() = default;
    ScopedEnvironment(const ScopedEnvironment &) = delete;
    ScopedEnvironment &operator=(const ScopedEnvironment &) = delete;
    ~ScopedEnvironment()
    {
        for (auto it = m_saved.crbegin(); it != m_saved.crend(); ++it) {
            if (it->second)
                qputenv(it->first.constData(), *it->second);
            else
                qunsetenv(it->first.constData());
        }
    }

    void set(const char *name, const QByteArray &value)
    {
        save(name);
        qputenv(name, value);
    }
    void unset(const char *name)
    {
        save(name);
        qunsetenv(name);
    }

private:
    void save(const char *name)
    {
        m_saved.append(
            {name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt});
    }

    QList<std::pair<QByteArray, std::optional<QByteArray>>> m_saved;
};

#endif
