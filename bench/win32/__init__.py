"""The benchmarks on the Win32 host, under Wine."""
