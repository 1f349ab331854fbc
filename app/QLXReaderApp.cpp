#include "app/QLXReaderApp.h"

#include <QCoreApplication>

#include "app/MainFrame.h"

CQLXReaderApp::CQLXReaderApp() = default;
CQLXReaderApp::~CQLXReaderApp() = default;

void CQLXReaderApp::SetSettingsKey() {
  QCoreApplication::setOrganizationName(QStringLiteral("Torvanode"));
  QCoreApplication::setApplicationName(QStringLiteral("QLXReader"));
}

void CQLXReaderApp::InitInstance(const QStringList& arguments) {
  SetSettingsKey();
  frame_ = std::make_unique<CMainFrame>(doc_);
  if (arguments.size() > 1) frame_->OpenFile(arguments[1]);
  frame_->show();
}
