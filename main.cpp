#include "windows/ventanas_programa.h"
int main(){return 0;}
