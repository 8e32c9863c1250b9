#ifndef KVB_TEXTHEIGHTCACHE_H
#define KVB_TEXTHEIGHTCACHE_H

#include <QFont>
#include <QString>
#include <QVarLengthArray>

#include <optional>

// The heights that a wrapped text needs at the widths it was measured for.
// Layouts ask a widget with wrapped text for its height again and again
// while a window opens, and each answer would lay out the whole text anew.
// An answer is kept only as long as the text and the font stay the same.
class TextHeightCache
{
public:
    std::optional<int> height(const QString &text, const QFont &font, int width) const
    {
        if (text != m_text || font != m_font)
            return std::nullopt;
        for (const Entry &entry : m_entries) {
            if (entry.width == width)
                return entry.height;
        }
        return std::nullopt;
    }

    void insert(const QString &text, const QFont &font, int width, int height)
    {
        if (text != m_text || font != m_font) {
            m_text = text;
            m_font = font;
            m_entries.clear();
        }
        // A window settles on a few widths; older ones are seldom asked again.
        if (m_entries.size() == MaxEntries)
            m_entries.remove(0);
        m_entries.append(Entry {width, height});
    }

private:
    static constexpr int MaxEntries = 8;
    struct Entry
    {
        int width;
        int height;
    };

    QString m_text;
    QFont m_font;
    QVarLengthArray<Entry, MaxEntries> m_entries;
};

#endif
