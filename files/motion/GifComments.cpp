#include "files/motion/GifComments.h"
#include "picture/MachineForm.h"

QByteArray GifComments::wordsComment(const AnimationWords &words)
{
    return (words.title + QLatin1Char('\n') + words.maker + QLatin1Char('\n') + words.description).toUtf8();
}

bool GifComments::isForm(const QByteArray &comment)
{
    return comment.startsWith(MachineForm::keyword() + ' ');
}

void GifComments::readWords(const QByteArray &comment, FileWords &words)
{
    const QString text = QString::fromUtf8(comment);
    const qsizetype titleEnd = text.indexOf(QLatin1Char('\n'));
    if (titleEnd < 0)
        return;
    const qsizetype makerEnd = text.indexOf(QLatin1Char('\n'), titleEnd + 1);
    words.maker = text.mid(titleEnd + 1, makerEnd < 0 ? -1 : makerEnd - titleEnd - 1);
    words.curves = makerEnd < 0 ? QString() : text.mid(makerEnd + 1);
}
