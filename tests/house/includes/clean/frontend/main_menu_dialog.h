// The front end: its own folder, the shared files, Qt and its generated forms.
#pragma once

#include "common/score_table.h"
#include "ui_main_menu_dialog.h"
#include <QDialog>
