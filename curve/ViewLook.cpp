#include "curve/ViewLook.h"

namespace {
const std::array<ViewLooks::Entry, 3> table = {{
    {ViewLook::dots, "Punti", "punti"},
    {ViewLook::surface, "Superficie", "superficie"},
    {ViewLook::surfaceAndDots, "Superficie e punti", "superficie-e-punti"},
}};
}

const std::array<ViewLooks::Entry, 3> &ViewLooks::all()
{
    return table;
}

const ViewLooks::Entry &ViewLooks::of(ViewLook look)
{
    for (const Entry &entry : table)
        if (entry.look == look)
            return entry;
    return table.front();
}

std::optional<ViewLook> ViewLooks::named(const QString &word)
{
    for (const Entry &entry : table)
        if (word == QLatin1String(entry.word))
            return entry.look;
    return std::nullopt;
}

ViewLook ViewLooks::next(ViewLook look)
{
    for (std::size_t i = 0; i < table.size(); ++i)
        if (table[i].look == look)
            return table[(i + 1) % table.size()].look;
    return table.front().look;
}

QString ViewLooks::sectionWord()
{
    return QStringLiteral("sezione");
}

QString ViewLooks::spoken(ViewLook look, bool section)
{
    const QString caption = QString::fromUtf8(of(look).caption).toLower();
    return section ? caption + QStringLiteral(", ") + sectionWord() : caption;
}
