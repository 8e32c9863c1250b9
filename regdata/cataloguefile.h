#ifndef KVB_CATALOGUEFILE_H
#define KVB_CATALOGUEFILE_H

#include "xmlfile.h"

#include "platform/platform.h"

#include <QDateTime>
#include <QString>

#include <memory>

// What a read of a catalogue file yields, kept for as long as the file
// system says the file is unchanged (the same file, size and times), so
// that opening a list again or choosing another country costs no second
// parse. A file that changed, appeared or vanished is read again at its next
// use, as a read at every use would see it; every read is one of XmlFile's,
// with its limits. Content is what parse makes of the file's document.
//
// File systems keep times to a tick (some to two seconds), so a file changed
// again within the tick of the read would look unchanged: what is read of a
// file changed shortly before is not kept.
template <typename Content> class CatalogueFile
{
public:
    using Parse = void (*)(const QDomDocument &document, Content &content);

    explicit CatalogueFile(Parse parse)
        : m_parse(parse)
    { }

    // The content of the catalogue at path.
    std::shared_ptr<const Content> content(const QString &path)
    {
        if (m_content && path == m_path && Platform::fileStamp(path.toStdString()) == m_stamp)
            return m_content;
        const std::int64_t now = QDateTime::currentMSecsSinceEpoch() * 1000000;
        Platform::FileStamp stamp;
        const int fd = Platform::openRegularFile(path.toStdString(), &stamp);
        auto content = std::make_shared<Content>();
        m_parse(XmlFile::parse(XmlFile::readAll(fd)), *content);
        const bool settled = stamp.modified < now - SettledAfter;
        m_path = path;
        m_stamp = stamp;
        m_content = settled ? content : nullptr;
        return content;
    }

private:
    static constexpr std::int64_t SettledAfter = std::int64_t(2) * 1000000000;

    Parse m_parse;
    QString m_path;
    Platform::FileStamp m_stamp;
    std::shared_ptr<const Content> m_content;
};

#endif
