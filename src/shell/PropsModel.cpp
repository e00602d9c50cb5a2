#include "shell/PropsModel.h"

PropsModel& Props() {
    static PropsModel model;
    return model;
}
