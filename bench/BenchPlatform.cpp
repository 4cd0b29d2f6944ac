#include "BenchPlatform.h"

BenchPlatform::BenchPlatform()
{
    previousDesktop_ = setDesktop(this);
    previousSystem_ = setSystem(this);
}

BenchPlatform::~BenchPlatform()
{
    setSystem(previousSystem_);
    setDesktop(previousDesktop_);
}

bool BenchPlatform::runCompleted() const
{
    return messages.size() == 1 && messages[0].text == QStringLiteral("Converting Complete.");
}

MsgAnswer BenchPlatform::messageBox(const MessageBoxRequest &request)
{
    messages.push_back(request);
    return MsgAnswer::Ok;
}

std::optional<QString> BenchPlatform::fileDialog(const FileDialogRequest &)
{
    if (fileAnswers.empty())
        return std::nullopt;
    const QString path = fileAnswers.front();
    fileAnswers.pop_front();
    return path;
}

QString BenchPlatform::cacheFolder() { return cacheDir.path() + QStringLiteral("/morvane-converter"); }
