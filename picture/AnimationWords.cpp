#include "picture/AnimationWords.h"
#include "picture/MachineForm.h"
#include "picture/Picture.h"
#include "runtime/NumberText.h"

#include <QStringList>

AnimationWords AnimationWords::of(const PictureDocument &document)
{
    QString description = PictureWords::description(document);
    if (document.motion)
        description += (description.isEmpty() ? QString() : QStringLiteral("\n")) + MotionWords::caption(*document.motion);
    return {PictureWords::title(), PictureWords::maker(), description, MachineForm::write(document), document.look};
}

QString MotionWords::caption(const Motion &motion)
{
    QStringList parts;
    if (motion.turn)
        parts << QStringLiteral("un giro in %1 s").arg(NumberText::fromDouble(motion.turn->seconds));
    if (motion.sweep) {
        const Sweep &s = *motion.sweep;
        parts << QStringLiteral("%1 da %2 a %3 in %4 s, %5")
                     .arg(QString::fromUtf8(s.valueName()), NumberText::fromDouble(s.from),
                          NumberText::fromDouble(s.to), NumberText::fromDouble(s.seconds),
                          QString::fromUtf8(Sweep::repeatNames[std::size_t(s.repeat)]));
    }
    return QStringLiteral("Movimento: ") + parts.join(QStringLiteral("; "));
}
