#include <gtest/gtest.h>

#include <vector>

#include "host/com/variant.h"
#include "regions/event_arguments.h"

namespace regions {
namespace {

using host::Variant;

// A host that notes what each event brought and leaves new values in the
// arguments, as a handler that changes them does.
class AnsweringServer final : public ControlServer {
 public:
  std::vector<Variant> answers;
  std::vector<VARTYPE> passedTypes;
  DISPID raised = DISPID_UNKNOWN;

  host::ComPtr<IDispatch> ExtenderObject() override { return nullptr; }
  void RaiseEvent(DISPID id, std::initializer_list<host::Argument> arguments) override {
    raised = id;
    std::size_t at = 0;
    for (const host::Argument& argument : arguments) {
      const VARIANTARG passed = argument.AsPassed();
      ASSERT_EQ(passed.vt, VT_BYREF | VT_VARIANT) << "by reference";
      passedTypes.push_back(passed.pvarVal->vt);
      if (at < answers.size()) VariantCopy(passed.pvarVal, answers[at].get());
      ++at;
    }
  }
};

TEST(EventArguments, EveryArgumentGoesByReferenceInItsTypeAndComesBackAsTheHostLeftIt) {
  AnsweringServer server;
  server.answers = {Variant(host::Integer{0}), Variant(host::Long{7}), Variant(2.5), Variant(host::True)};
  host::Integer keyAscii = 'a';
  host::Long effect = 1;
  host::Single x = 10;
  host::Boolean cursors = host::False;
  RaiseByReference(&server, 4, keyAscii, effect, x, cursors);
  EXPECT_EQ(server.raised, 4);
  EXPECT_EQ(server.passedTypes, (std::vector<VARTYPE>{VT_I2, VT_I4, VT_R4, VT_BOOL}));
  EXPECT_EQ(keyAscii, 0);
  EXPECT_EQ(effect, 7);
  EXPECT_EQ(x, 2.5f);
  EXPECT_EQ(cursors, host::True);
}

}  // namespace
}  // namespace regions
