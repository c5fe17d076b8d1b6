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
    // The characters are written straight into a buffer of the largest size the result
    // can have: a file holds many phrases, and appending one character at a time checks
    // the capacity for each.
    QString slim(end - begin, Qt::Uninitialized);
    QChar *out = slim.data();
    for (qsizetype i = begin; i < end; ++i) {
        if (text[i] == u' ' && text[i - 1] == u' ')
            continue;
        *out++ = text[i];
    }
    slim.truncate(out - slim.constData());
    return slim;
}
