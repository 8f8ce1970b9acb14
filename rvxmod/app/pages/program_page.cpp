#include "rvxmod/app/pages/program_page.h"

namespace rvxmod::app {

TFormProgram::TFormProgram(QWidget* parent) : QWidget(parent), content_(new QVBoxLayout(this)) {}

}  // namespace rvxmod::app
