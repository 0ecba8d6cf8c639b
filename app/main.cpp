#include <iostream>

int main()
{
    std::cout << "Brindle Story Studio: the story graph and document layers are built; "
                 "the main window is not available yet.\n";
    return 0;
}
