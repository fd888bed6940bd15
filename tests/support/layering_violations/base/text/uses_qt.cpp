// Qt outside the Qt folders.
#include <QWidget>
