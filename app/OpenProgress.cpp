#include "app/OpenProgress.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>

OpenProgress::OpenProgress(QWidget* parent)
    : QWidget(parent), bar_(new QProgressBar(this)), cancel_(new QPushButton(QStringLiteral("Cancel"), this)) {
  setObjectName(QStringLiteral("openProgress"));
  bar_->setObjectName(QStringLiteral("openProgressBar"));
  cancel_->setObjectName(QStringLiteral("cancelOpen"));
  bar_->setTextVisible(false);
  bar_->setMaximumWidth(160);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(bar_);
  layout->addWidget(cancel_);
  connect(cancel_, &QPushButton::clicked, this, &OpenProgress::Cancelled);
  hide();
}

void OpenProgress::Start() {
  // A range of nothing makes the bar run without a value.
  bar_->setRange(0, 0);
  show();
}

void OpenProgress::Stop() {
  hide();
  bar_->setRange(0, 1);
}
