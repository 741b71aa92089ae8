#include "app/SignInState.h"

namespace lanze {

SignInState& signInState() {
    static SignInState state;
    return state;
}

}  // namespace lanze
