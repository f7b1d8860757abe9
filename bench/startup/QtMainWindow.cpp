// The other toolkit's side of the start-up comparison: the launcher's main
// window laid out with stock widgets (a panel holding a text pane and a
// progress bar, four buttons, a link and a two-part status bar). With
// --screenshot FILE it renders the window off-screen to FILE and exits.

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTextBrowser>
#include <QWidget>

#include <cstring>

namespace {

struct TPlace {
    int Left, Top, Width, Height;
};

constexpr TPlace Window{0, 0, 354, 336};
constexpr TPlace Panel{8, 8, 337, 257};
constexpr TPlace Pane{8, 8, 321, 217};
constexpr TPlace Gauge{8, 232, 321, 18};
constexpr TPlace Link{10, 301, 154, 13};
constexpr TPlace Status{0, 317, 354, 19};
constexpr int ButtonTop = 272;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;
constexpr int ButtonLefts[] = {8, 96, 184, 272};
const char* const ButtonTexts[] = {"Sair", "Sobre", "Op\u00e7\u00f5es", "Jogar"};
constexpr int FirstPanelWidth = 145;

void Place(QWidget* w, const TPlace& p) {
    w->setGeometry(p.Left, p.Top, p.Width, p.Height);
}

void Build(QWidget& window) {
    window.setWindowTitle("Launcher");
    window.setFixedSize(Window.Width, Window.Height);
    auto* panel = new QFrame(&window);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Place(panel, Panel);
    Place(new QTextBrowser(panel), Pane);
    auto* gauge = new QProgressBar(panel);
    gauge->setValue(0);
    Place(gauge, Gauge);
    for (int i = 0; i < 4; ++i) {
        auto* button = new QPushButton(QString::fromUtf8(ButtonTexts[i]), &window);
        button->setGeometry(ButtonLefts[i], ButtonTop, ButtonWidth, ButtonHeight);
    }
    Place(new QLabel("<a href=\"http://site.example/\">http://site.example/</a>", &window), Link);
    auto* status = new QStatusBar(&window);
    auto* first = new QLabel(status);
    first->setMinimumWidth(FirstPanelWidth);
    status->addWidget(first);
    status->addWidget(new QLabel(status), 1);
    Place(status, Status);
}

} // namespace

int main(int argc, char** argv) {
    const char* shot = argc == 3 && std::strcmp(argv[1], "--screenshot") == 0 ? argv[2] : nullptr;
    QApplication app(argc, argv);
    QWidget window;
    Build(window);
    if (shot) return window.grab().save(QString::fromLocal8Bit(shot)) ? 0 : 1;
    window.show();
    return app.exec();
}
