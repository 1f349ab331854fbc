#include <QApplication>

#include "app/QLXReaderApp.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  CQLXReaderApp reader;
  reader.InitInstance(QApplication::arguments());
  return QApplication::exec();
}
