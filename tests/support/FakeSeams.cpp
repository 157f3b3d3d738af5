#include "support/FakeSeams.h"

bool FakeMessages::ask(const QString &text)
{
    asked << text;
    return answers.isEmpty() ? false : answers.takeFirst();
}
