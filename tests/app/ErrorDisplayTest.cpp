#include "app/ErrorDisplay.h"

#include "app/MessageBoxes.h"
#include "common/Errors.h"

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

using namespace norvane;

namespace {

// An event handler that fails the way a command does.
class TFailingHandler : public QObject {
public:
    explicit TFailingHandler(std::exception_ptr failure) : failure_(std::move(failure)) {}
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User)
            std::rethrow_exception(failure_);
        return QObject::event(e);
    }

private:
    std::exception_ptr failure_;
};

TEST(ErrorDisplay, FailureEscapingAHandlerIsShownAndTheProgramGoesOn) {
    std::vector<ui::MessageRequest> shown;
    ui::setMessageResponder([&](const ui::MessageRequest& request) {
        shown.push_back(request);
        return ui::MessageAnswer::Ok;
    });
    const std::exception_ptr failures[] = {
        std::make_exception_ptr(Exception("Impossible d'écrire dans /x/norvane.ini")),
        std::make_exception_ptr(
            EAssertionFailed("Bad IP address string given to component", "UEditIPAddr.cpp", 12)),
        std::make_exception_ptr(std::out_of_range("Indice de liste hors limites (-1)"))};
    for (const std::exception_ptr& failure : failures) {
        TFailingHandler handler(failure);
        QEvent event(QEvent::User);
        EXPECT_FALSE(QCoreApplication::sendEvent(&handler, &event));
    }
    ui::setMessageResponder({});

    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].kind, ui::MessageKind::Error);
    EXPECT_EQ(shown[0].title, ui::ErrorCaption());
    EXPECT_EQ(shown[0].text, "Impossible d'écrire dans /x/norvane.ini");
    EXPECT_EQ(shown[1].text,
              "Bad IP address string given to component (UEditIPAddr.cpp, ligne 12)");
    EXPECT_EQ(shown[2].text, "Indice de liste hors limites (-1)");
}

} // namespace
