#include "FetchRequest.h"
