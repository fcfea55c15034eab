#pragma once

class QApplication;

// What the program sets up before its window: the toolkit's Chinese, the design fonts and the
// title that the general error report carries.
void PrepareApplication(QApplication& app);
