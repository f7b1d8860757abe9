object Form1: TFuzzForm
  Left = -12
  Ratio = 1.5
  Caption = 'Op'#231#245'es'#13#10 +
    'next'
  Enabled = False
  Align = alClient
  Font.Height = -11
  Font.Name = 'Tahoma'
  Font.Color = $00FF00FF
  Font.Style = [fsBold]
  OnClick = Button1Click
  Buddy = Button1
  Lines = (
    'a'
    'b')
  Panels = <
    item
      Width = 145
      Link = Button1
      Font.Height = 2
      Data = {
        0A0B0C0D}
      Sub = <
        item
          Width = 1
        end>
    end
    item
    end>
  object Panel1: TFuzzControl
    Left = 8
    object Button1: TFuzzControl
      Buddy = Form1
      OnClick = Button1Click
    end
  end
  inline Label1: TFuzzControl
  end
end
