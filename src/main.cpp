// quorvex: the game on the SDL platform.
int main() { return 0; }
