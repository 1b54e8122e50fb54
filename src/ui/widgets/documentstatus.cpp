#include "documentstatus.h"

#include "workspace.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QStatusBar>

namespace orve::ui {

DocumentStatus::DocumentStatus(const Workspace& ws, QStatusBar* bar)
    : QObject(bar), ws_(ws), bar_(bar), field_(new QLabel(bar))
{
    field_->setObjectName(QStringLiteral("documentStatus"));
    field_->setAccessibleDescription(QStringLiteral(u"当前文件"));
    bar_->addPermanentWidget(field_);
    const Notifier& notifier = ws_.notifier;
    connect(&notifier, &Notifier::modifiedChanged, this, &DocumentStatus::refresh);
    connect(&notifier, &Notifier::documentPathChanged, this, &DocumentStatus::refresh);
    connect(&notifier, &Notifier::saved, this, &DocumentStatus::showSaved);
    refresh();
}

void DocumentStatus::refresh()
{
    const QString& path = ws_.session.documentPath;
    QString text = path.isEmpty() ? QStringLiteral(u"未命名") : QFileInfo(path).fileName();
    if (ws_.session.modified)
        text += QStringLiteral(u"  已修改");
    field_->setText(text);
    field_->setToolTip(QDir::toNativeSeparators(path));
}

void DocumentStatus::showSaved(const QString& path)
{
    bar_->showMessage(QStringLiteral(u"已保存：%1").arg(QDir::toNativeSeparators(path)),
                      MessageMilliseconds);
}

} // namespace orve::ui
