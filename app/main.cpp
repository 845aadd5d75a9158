// Placeholder until the frame window lands.
int main()
{
    return 0;
}
