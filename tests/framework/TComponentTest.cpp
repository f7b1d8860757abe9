#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "framework/component/TComponent.h"

namespace {

class TWatcher : public TComponent {
public:
    using TComponent::TComponent;
    std::vector<std::string> Heard;
    void Notification(TComponent* c, TOperation op) override {
        Heard.push_back((op == TOperation::opInsert ? "+" : "-") + c->Name());
    }
};

class TBroken : public TComponent {
public:
    explicit TBroken(TComponent* owner) : TComponent(owner) { throw std::runtime_error("broken"); }
};

// However a component ends (Free, plain delete, its owner's end, or a derived
// constructor that throws), the owner lets go of it and the others hear of it.
TEST(TComponent, EveryWayOfEndingLeavesTheOwnerConsistent) {
    TComponent owner(nullptr);
    auto* watcher = new TWatcher(&owner);
    auto* a = new TComponent(&owner);
    a->SetName("A");
    auto* b = new TComponent(&owner);
    b->SetName("B");
    EXPECT_EQ(owner.ComponentCount(), 3);
    EXPECT_EQ(owner.FindComponent("b"), b);

    a->Free();
    delete b;
    EXPECT_THROW(new TBroken(&owner), std::runtime_error);
    EXPECT_EQ(owner.ComponentCount(), 1);
    EXPECT_EQ(owner.Components(0), watcher);
    EXPECT_EQ(watcher->Heard, (std::vector<std::string>{"+", "+", "-A", "-B", "+", "-"}));
}

TEST(TComponent, OwnerDestroysNewestFirst) {
    std::vector<std::string> order;
    struct TLogged : TComponent {
        TLogged(TComponent* o, std::vector<std::string>& log, const char* n)
            : TComponent(o), Log(log) {
            SetName(n);
        }
        ~TLogged() override { Log.push_back(Name()); }
        std::vector<std::string>& Log;
    };
    {
        TComponent owner(nullptr);
        new TLogged(&owner, order, "first");
        new TLogged(&owner, order, "second");
    }
    EXPECT_EQ(order, (std::vector<std::string>{"second", "first"}));
}

} // namespace
