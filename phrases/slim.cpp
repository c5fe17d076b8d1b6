#include "slim.h"

QString Slim(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;

    // text[begin] is never a space, so every i > begin below has a neighbour to look at.
    QString slim;
    slim.reserve(end - begin);
    for (qsizetype i = begin; i < end; ++i) {
        if (text[i] == u' ' && text[i - 1] == u' ')
            continue;
        slim.append(text[i]);
    }
    return slim;
}
