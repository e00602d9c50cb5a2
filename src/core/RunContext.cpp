#include "core/RunContext.h"

RunContext& Collaborators() {
    static RunContext context;
    return context;
}
