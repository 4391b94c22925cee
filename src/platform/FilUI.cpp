#include "platform/FilUI.h"

#include <QCoreApplication>
#include <QThread>

void PosteSurFilUI(std::function<void()> travail)
{
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr || !travail)
        return;
    QMetaObject::invokeMethod(application, std::move(travail), Qt::QueuedConnection);
}

bool EstFilUI()
{
    QCoreApplication* application = QCoreApplication::instance();
    return application != nullptr && QThread::currentThread() == application->thread();
}
