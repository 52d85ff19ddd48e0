#include "fakeplatform.h"

namespace {

template<typename T, typename Fallback>
T takeFront(std::deque<T> &queue, Fallback fallback)
{
    if (queue.empty())
        return fallback;
    T front = std::move(queue.front());
    queue.pop_front();
    return front;
}

} // namespace

Answer FakePlatform::askYesNoCancel(const QString &caption, const QString &text)
{
    questions.append({caption, text});
    return takeFront(answers, Answer::Cancel);
}

void FakePlatform::reportError(const QString &caption, const QString &text)
{
    errors.append({caption, text});
}

std::optional<QString> FakePlatform::chooseFile(const FileDialogRequest &request)
{
    fileRequests.append(request);
    return takeFront(files, std::optional<QString>());
}

std::optional<FontChoice> FakePlatform::chooseFont(const FontChoice &initial)
{
    fontRequests.append(initial);
    return takeFront(fonts, std::optional<FontChoice>());
}

bool FakePlatform::openWithDesktop(const QString &path)
{
    openedWithDesktop.append(path);
    return desktopOpens;
}
