object Form1: TFuzzForm
  Caption = #$20AC#55357#56832'x'''
end
